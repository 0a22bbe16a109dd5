// Codeseiten: the single-byte Windows code pages that files of other
// programs name (CAD files say which one with a header value). Windows-1252
// is the page of our own files (textkodierung.h); the others come in only.
#pragma once

#include <cstddef>

namespace quarzel {

enum class Codeseite { Windows1250, Windows1251, Windows1252, Windows1253 };

// The code point of one byte of the page; bytes the page leaves undefined
// stand for themselves.
char32_t zeichenDerCodeseite(unsigned char byte, Codeseite seite);

}  // namespace quarzel
