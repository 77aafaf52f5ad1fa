// store layer
