// dbf layer
