extern "C" const char *qinglan(const char *) { return ""; }
