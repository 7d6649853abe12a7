#pragma once
#include <QAbstractTableModel>

#include "core/TabelaTexto.h"

// A history table as a Qt model: row 0 of the table becomes the horizontal
// header, column 0 the vertical header (the hours), the rest the cells. The view
// asks only for the cells it shows, so a table at capacity opens at once.
class ModeloTabela : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloTabela(const TabelaTexto& tabela, QObject* parent = nullptr);

    // Text of cell (0, 0), without its leading blanks.
    QString Canto() const;

    // The table was refilled or resized.
    void Recarrega();

    int rowCount(const QModelIndex& pai = QModelIndex()) const override;
    int columnCount(const QModelIndex& pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

private:
    const TabelaTexto& tabela_;
};
