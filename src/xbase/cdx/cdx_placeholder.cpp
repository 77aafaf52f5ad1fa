// cdx layer
