// design layer
