#pragma once
#include <QByteArray>
#include <string>

#include "core/DadosModelo.h"
#include "core/Historico.h"
#include "relatorio/Relatorio.h"

// The report on A4 pages through Qt's own PDF output: headings, paragraphs, tables
// (their header repeated on every page they run over, the pass/fail marks in green
// and red), the charts drawn by the program's chart panel and the colour map painted
// as the colour window paints it. Needs a QApplication (the charts are widgets); none
// is shown.
namespace DesenhoRelatorio {

// The document. `dados` and `tensoes` give the stress charts their curves, read as
// the stress chart window reads them.
QByteArray Pdf(const TRelatorio& relatorio, const TDadosModelo& dados, const HistoricoNumerico* tensoes);

// Writes it at `caminho` whole or not at all: a missing folder or a disk failure raises
// ErroEntrada naming the file, and an earlier file of that name stays as it was.
void Grava(const std::string& caminho, const TRelatorio& relatorio, const TDadosModelo& dados,
           const HistoricoNumerico* tensoes);

}  // namespace DesenhoRelatorio
