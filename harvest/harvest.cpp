// The run lives here; this unit keeps the library target non-empty.
namespace harvest_detail { int placeholder = 0; }
