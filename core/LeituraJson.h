#pragma once
#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// Strict reading of a JSON text for the files the engineer writes by hand, with the
// place of every refusal as line and column (never the parser's English or a byte
// offset).
namespace LeituraJson {

// "linha L, coluna C" of byte `posicao` (0-based) of `texto`.
std::string LinhaColuna(const std::string& texto, std::size_t posicao);

// The parsed text. ErroEntrada, in Portuguese with the line and column, for a text
// that is not JSON, a key given twice in one object, or a number beyond a double.
nlohmann::ordered_json Analisa(const std::string& texto);

// Where the key at `caminho` (the keys from the top object down) is written:
// " (linha L, coluna C)", or empty when it is not found.
std::string OndeChave(const std::string& texto, const std::vector<std::string>& caminho);

}  // namespace LeituraJson
