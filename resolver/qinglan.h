#pragma once
// libqinglan.so: turns the address of a video page into the direct address of its media
// file by asking the parse service configured at build time (QINGLAN_PARSE_HOST).
//
// const char *qinglan(const char *pageAddress)
//   pageAddress: a zero-terminated UTF-8 text; a null pointer counts as "".
//   Result: the direct media address, or "" when the service named none; never null. The
//   text belongs to the library and stays valid until the next call of qinglan (from any
//   thread) or until the library is unloaded: copy it at once, never free it.
//
// Each call is one blocking HTTP exchange with the service (at most 10 s to connect and
// 30 s in all). The library has no window system to ask, so it does not let the caller's
// queued window messages run during the call: a program with a user interface keeps it
// responsive by calling qinglan off its UI thread. Calls from several threads do the library
// no harm, but a caller that makes them must copy each result before another call returns.
//
// Bind it with dlopen("libqinglan.so") and dlsym("qinglan"); it is the library's only symbol.

#ifdef __cplusplus
extern "C" {
#endif

__attribute__((visibility("default"))) const char *qinglan(const char *pageAddress);

#ifdef __cplusplus
}
#endif
