#include "obra/ui/TabelaProtecoes.h"

#include <QHeaderView>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "obra/Protecoes.h"

using CamposNumericos::Geral;

namespace TabelaProtecoes {

namespace {
enum Coluna { Nome, R, Colocacao, Retirada };
}

void Prepara(QTableWidget* tabela, QComboBox* predefinicoes) {
    tabela->setColumnCount(4);
    tabela->setHorizontalHeaderLabels({QStringLiteral("Nome"), QStringLiteral("R [m²·°C/W]"),
                                       QStringLiteral("Colocação [h]"), QStringLiteral("Retirada [h]")});
    tabela->horizontalHeader()->setSectionResizeMode(Nome, QHeaderView::Stretch);
    tabela->setMinimumWidth(560);
    predefinicoes->addItem(QStringLiteral("(digitada)"), 0.0);
    for (const TPredefinicaoProtecao& p : Protecoes::Predefinicoes()) {
        predefinicoes->addItem(QString::fromUtf8(p.Nome) + QStringLiteral(" — R = ") + Geral(p.R), p.R);
    }
}

void Acrescenta(QTableWidget* tabela, const QComboBox* predefinicoes, double retirada) {
    const int i = predefinicoes->currentIndex();
    const int linha = tabela->rowCount();
    tabela->insertRow(linha);
    const QString nome = i > 0 ? QString::fromUtf8(Protecoes::Predefinicoes()[static_cast<std::size_t>(i - 1)].Nome)
                               : QStringLiteral("Proteção");
    tabela->setItem(linha, Nome, new QTableWidgetItem(nome));
    tabela->setItem(linha, R, new QTableWidgetItem(Geral(predefinicoes->currentData().toDouble())));
    tabela->setItem(linha, Colocacao, new QTableWidgetItem(QStringLiteral("0")));
    tabela->setItem(linha, Retirada, new QTableWidgetItem(Geral(retirada)));
}

void Mostra(QTableWidget* tabela, const std::vector<TProtecao>& lista) {
    tabela->setRowCount(0);
    for (const TProtecao& p : lista) {
        const int linha = tabela->rowCount();
        tabela->insertRow(linha);
        tabela->setItem(linha, Nome, new QTableWidgetItem(QString::fromStdString(p.Nome)));
        tabela->setItem(linha, R, new QTableWidgetItem(Geral(p.R)));
        tabela->setItem(linha, Colocacao, new QTableWidgetItem(Geral(p.HoraColocacao)));
        tabela->setItem(linha, Retirada, new QTableWidgetItem(Geral(p.HoraRetirada)));
    }
}

std::vector<TProtecao> Le(const QTableWidget* tabela) {
    std::vector<TProtecao> lista;
    for (int l = 0; l < tabela->rowCount(); ++l) {
        auto celula = [&](int c) {
            const QTableWidgetItem* item = tabela->item(l, c);
            return item ? item->text().trimmed().toStdString() : std::string();
        };
        const std::string onde = "Linha " + Numeros::FormataInteiro(l + 1) + " das proteções: ";
        auto numero = [&](int c, const char* nome) {
            try {
                return Numeros::TextoParaReal(celula(c));
            } catch (const ErroConversao& e) {
                throw ErroEntrada(onde + nome + ": " + e.what());
            }
        };
        TProtecao p;
        p.Nome = celula(Nome);
        p.R = numero(R, "R");
        p.HoraColocacao = numero(Colocacao, "colocação");
        p.HoraRetirada = numero(Retirada, "retirada");
        if (p.R < 0.0) throw ErroEntrada(onde + "a resistência R não pode ser negativa.");
        if (p.HoraColocacao < 0.0) throw ErroEntrada(onde + "a hora de colocação não pode ser negativa.");
        if (p.HoraRetirada < p.HoraColocacao) {
            throw ErroEntrada(onde + "a retirada vem antes da colocação.");
        }
        lista.push_back(std::move(p));
    }
    return lista;
}

}  // namespace TabelaProtecoes
