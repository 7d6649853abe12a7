#include "core/ui/ModeloTabela.h"

#include <algorithm>

namespace {
QString Utf8(std::string_view texto) { return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())); }
}  // namespace

ModeloTabela::ModeloTabela(const TabelaTexto& tabela, QObject* parent)
    : QAbstractTableModel(parent), tabela_(tabela) {}

void ModeloTabela::Recarrega() {
    beginResetModel();
    endResetModel();
}

QString ModeloTabela::Canto() const {
    return tabela_.Contem(0, 0) ? Utf8(tabela_.Celula(0, 0)).trimmed() : QString();
}

int ModeloTabela::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : std::max(tabela_.Linhas() - 1, 0);
}

int ModeloTabela::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : std::max(tabela_.Colunas() - 1, 0);
}

QVariant ModeloTabela::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid()) return {};
    const int coluna = indice.column() + 1;
    const int linha = indice.row() + 1;
    if (!tabela_.Contem(coluna, linha)) return {};
    if (papel == Qt::DisplayRole) return Utf8(tabela_.Celula(coluna, linha));
    if (papel == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ModeloTabela::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (papel != Qt::DisplayRole) return QAbstractTableModel::headerData(secao, orientacao, papel);
    if (orientacao == Qt::Horizontal) {
        if (tabela_.Contem(secao + 1, 0)) return Utf8(tabela_.Celula(secao + 1, 0)).trimmed();
    } else if (tabela_.Contem(0, secao + 1)) {
        return Utf8(tabela_.Celula(0, secao + 1));
    }
    return {};
}
