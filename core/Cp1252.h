#pragma once
#include <string>
#include <string_view>

// Text for files read by the engineers' other tools: single-byte Windows-1252.
namespace Cp1252 {

// Converts UTF-8 text to Windows-1252 bytes. A character that the code page does
// not hold, and any malformed UTF-8 sequence, becomes '?'.
std::string DeUtf8(std::string_view utf8);

// Appends the converted text to `destino` (no temporary string; ASCII is copied
// as is, which is what nearly every cell of a table holds).
void Acrescenta(std::string& destino, std::string_view utf8);

// The text of a file or a paste as UTF-8, whatever of the encodings the engineers'
// tools save it in: UTF-8 with or without a byte-order mark (dropped), UTF-16 with
// its mark (little or big endian) or, when the bytes are not well-formed UTF-8,
// Windows-1252. What cannot be decoded (a lone surrogate, an odd last byte, a byte
// the code page leaves undefined) becomes U+FFFD. The one decoding of every reader
// of text files, so that a name read enters the problem in the encoding it is saved in.
std::string ParaUtf8(std::string_view bytes);

}  // namespace Cp1252

namespace ResumoArquivo {
// UTF-8 text with "\n" line ends -> Windows-1252 with CR LF, the convention of the
// program's other text exports. Shared by the summaries.
std::string Bytes(const std::string& textoUtf8);
}  // namespace ResumoArquivo
