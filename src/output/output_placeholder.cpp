// output layer
