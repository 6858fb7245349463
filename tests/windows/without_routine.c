/* A library file named like the resolver library that lacks its routine. */
int qinglan_version(void) { return 1; }
