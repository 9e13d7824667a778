// Placeholder so the library builds before its first real source lands.
namespace laserpic {}
