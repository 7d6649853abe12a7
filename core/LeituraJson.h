#pragma once
#include <cstddef>
#include <functional>
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

// A file of one kind: `texto` parsed, a top object required, its keys read by
// `leChaves(objeto, lendo)`, which keeps in `lendo` the keys it is reading (so that its
// refusal names where they stand) and returns whether "formato" was given, which is
// required. The refusals made here start with `prefixo` ("Estudo inválido: ").
void LeArquivo(const std::string& texto, const std::string& prefixo, const std::string& formato,
               const std::function<bool(const nlohmann::ordered_json&, std::vector<std::string>&)>& leChaves);

}  // namespace LeituraJson
