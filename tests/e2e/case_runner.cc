#include "case_runner.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace e2e {

namespace {

std::string quote(const std::string& arg) {
#ifdef _WIN32
  return "\"" + arg + "\"";
#else
  std::string quoted = "'";
  for (char c : arg) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
#endif
}

void setVariable(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value ? value->c_str() : "");
#else
  if (value) {
    setenv(name.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name.c_str());
  }
#endif
}

std::optional<std::string> getVariable(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

int exitStatus(int raw) {
#ifdef _WIN32
  return raw;
#else
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + (WIFSIGNALED(raw) ? WTERMSIG(raw) : 0);
#endif
}

}  // namespace

RunResult runProgram(const fs::path& program, const std::vector<std::string>& args,
                     const fs::path& dir, const Environment& env) {
  fs::path outFile = dir.parent_path() / (dir.filename().string() + ".stdout");
  fs::path errFile = dir.parent_path() / (dir.filename().string() + ".stderr");
  std::string command = quote(program.string());
  for (const std::string& arg : args) command.append(" ").append(quote(arg));
  command.append(" > ").append(quote(outFile.string())).append(" 2> ").append(quote(errFile.string()));

  Environment saved;
  for (const auto& [name, value] : env) {
    saved.emplace_back(name, getVariable(name));
    setVariable(name, value);
  }
  fs::path previous = fs::current_path();
  fs::current_path(dir);
  int raw = std::system(command.c_str());
  fs::current_path(previous);
  for (const auto& [name, value] : saved) setVariable(name, value);

  RunResult result;
  result.status = exitStatus(raw);
  result.out = readFile(outFile);
  result.err = readFile(errFile);
  fs::remove(outFile);
  fs::remove(errFile);
  return result;
}

fs::path makeScratchDir(const std::string& hint) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (;;) {
    fs::path dir = fs::temp_directory_path() / ("kestrel-" + hint + "-" + std::to_string(random() % 1000000000));
    if (fs::create_directory(dir)) return dir;
  }
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

void writeFile(const fs::path& path, const std::string& contents) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << contents;
}

std::map<std::string, std::string> snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file()) {
      files[fs::relative(entry.path(), dir).generic_string()] = readFile(entry.path());
    }
  }
  return files;
}

void copyTree(const fs::path& from, const fs::path& to) {
  if (fs::exists(from)) fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::vector<std::string> readLines(const fs::path& path) {
  std::vector<std::string> lines;
  std::istringstream in(readFile(path));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

namespace {

using Lines = std::vector<std::string>;

// The text between line ends; a text that ends in a line end has an empty
// last line, so that one that does not can be told apart.
Lines splitLines(const std::string& text) {
  Lines lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

bool blockAt(const Lines& lines, std::size_t at, const Lines& block) {
  return at + block.size() <= lines.size() &&
         std::equal(block.begin(), block.end(), lines.begin() + static_cast<std::ptrdiff_t>(at));
}

// The first line at or after `from` where `block` starts, or npos.
std::size_t findBlock(const Lines& lines, std::size_t from, const Lines& block) {
  for (std::size_t at = from; at + block.size() <= lines.size(); ++at) {
    if (blockAt(lines, at, block)) return at;
  }
  return std::string::npos;
}

// A part's blocks of lines between its kAnyLines lines, each with the number
// of its first line in the part.
struct Block {
  std::size_t partLine;
  Lines lines;
};

std::vector<Block> splitAtGaps(const std::string& part) {
  std::vector<Block> blocks{{1, {}}};
  const Lines partLines = splitLines(part);
  for (std::size_t i = 0; i < partLines.size(); ++i) {
    if (partLines[i] == kAnyLines) {
      blocks.push_back({i + 2, {}});
    } else {
      blocks.back().lines.push_back(partLines[i]);
    }
  }
  return blocks;
}

}  // namespace

std::string partMismatch(const std::string& part, const std::string& actual) {
  const Lines lines = splitLines(actual);
  const std::vector<Block> blocks = splitAtGaps(part);
  std::size_t next = 0;  // the first output line the next block may start at
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    const auto& [partLine, block] = blocks[b];
    const bool first = b == 0, last = b + 1 == blocks.size();
    std::size_t at = std::string::npos;
    std::string where;
    if (first && last) {
      if (block == lines) at = 0;
      where = "are not the whole output";
    } else if (first) {
      if (blockAt(lines, 0, block)) at = 0;
      where = "do not start the output";
    } else if (last) {
      // Every block before took its earliest place, so the last one fits at
      // the end if it fits anywhere.
      if (block.size() <= lines.size() - next && blockAt(lines, lines.size() - block.size(), block)) {
        at = lines.size() - block.size();
      }
      where = "do not end the output";
    } else {
      at = findBlock(lines, next, block);
      where = "are not in the output after its line " + std::to_string(next);
    }
    if (at == std::string::npos) {
      return "the lines from line " + std::to_string(partLine) + " of the part (\"" +
             (block.empty() ? "" : block.front()) + "\" ...) " + where;
    }
    next = at + block.size();
  }
  return "";
}

}  // namespace e2e
