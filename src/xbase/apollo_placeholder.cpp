// The work area and the TApollo wrappers are added here.
