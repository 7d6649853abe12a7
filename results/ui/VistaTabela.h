#pragma once
#include <QTableView>
#include <QWidget>

#include "core/TabelaTexto.h"
#include "core/ui/ModeloTabela.h"

// The heading "RESULTADOS", a sub-heading and a history table under them, as the
// temperature and the stress results windows show them.
class TVistaTabela : public QWidget {
    Q_OBJECT
public:
    TVistaTabela(const TabelaTexto& tabela, const QString& subtitulo, QWidget* parent = nullptr);

    // The table was refilled: the view shows its new size and cells.
    void Atualiza() { modelo->Recarrega(); }
    // Only when the table changed size behind the view's back (a run that stopped early).
    void AtualizaSeMudou();

    QTableView* StgResultado;
    ModeloTabela* modelo;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* canto_ = nullptr;
};
