( one ( two ) three )
