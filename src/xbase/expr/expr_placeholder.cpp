// expr layer
