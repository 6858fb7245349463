// The asset library's resources are linked in as objects; this file only gives the
// static library a translation unit of its own.
namespace qinglan_assets { int anchor = 0; }
