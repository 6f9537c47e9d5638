(comment)
