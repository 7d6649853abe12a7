#pragma once
#include <array>
#include <string>
#include <string_view>

// Every conversion between numbers and text, with the decimal comma and
// independent of the machine's locale.
namespace Numeros {

// Fixed notation with `decimais` decimals, right-aligned in `largura` characters,
// decimal comma: FormataFixo(25.314, 7, 2) == "  25,31" (as printf "%7.2f").
std::string FormataFixo(double valor, int largura, int decimais);
// Appends the same text to `destino` without a temporary string.
void AcrescentaFixo(std::string& destino, double valor, int largura, int decimais);
// The same text written into `buf` (widths up to MaxLarguraBuffer), for tables
// that keep their cells in place of strings; `buf` goes on for at least 16 bytes
// past the start of the text.
inline constexpr int MaxLarguraBuffer = 100;
using BufferFixo = std::array<char, 512>;
std::string_view EscreveFixo(BufferFixo& buf, double valor, int largura, int decimais);

// General form: up to 15 significant digits, no trailing zeros, decimal comma
// (30 -> "30", 0.5 -> "0,5", 1e20 -> "1E20").
std::string FormataGeral(double valor);

// Whole number in decimal.
std::string FormataInteiro(long long valor);

// Text typed by the user: blanks around, optional sign, digits with a decimal
// comma, optional exponent. Anything else (decimal point, letters, NaN, infinity,
// a value beyond double) raises ErroConversao:
// "'abc' não é um valor de ponto flutuante válido".
double TextoParaReal(std::string_view texto);

// Whole number within int32: "'abc' não é um valor inteiro válido".
int TextoParaInteiro(std::string_view texto);

// The number FormataFixo(valor, ·, decimais) reads back as (TextoParaReal): the
// value as the tables print it, kept as a number. A negative value that prints as
// zero gives −0, as "-0,00" reads. A value that is not finite is returned as is.
double ArredondaFixo(double valor, int decimais);

// Rounding to the nearest integer, halves to the even neighbour.
double ArredondaPar(double valor);
long long Round(double valor);
// Drops the fraction.
long long Trunc(double valor);

}  // namespace Numeros
