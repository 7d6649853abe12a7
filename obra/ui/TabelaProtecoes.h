#pragma once
#include <QComboBox>
#include <QTableWidget>
#include <vector>

#include "obra/DadosObra.h"

// The table of protections of a face (name, R, placement and removal hours) that the
// top and the sides edit alike, and the list of presets that adds a row.
namespace TabelaProtecoes {

// Columns and headers of `tabela`; "(digitada)" and the presets in `predefinicoes`.
void Prepara(QTableWidget* tabela, QComboBox* predefinicoes);
// A row of the preset chosen (or a typed one), on from hour 0 to `retirada`.
void Acrescenta(QTableWidget* tabela, const QComboBox* predefinicoes, double retirada);
void Mostra(QTableWidget* tabela, const std::vector<TProtecao>& lista);
// The rows as protections; ErroEntrada naming the row and the field.
std::vector<TProtecao> Le(const QTableWidget* tabela);

}  // namespace TabelaProtecoes
