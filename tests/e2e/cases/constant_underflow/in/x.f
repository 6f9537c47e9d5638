constant nothing
