#pragma once
#include <QCheckBox>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <vector>

#include "core/ui/Contexto.h"
#include "input/TabelaMembro.h"

// "Tabela do Membro": every layer of the problem in one editable grid (the
// layer's material, its placement and its internal heat). The grid is read from
// the state when the window opens and written back only at "Ok", all of it or,
// at the first bad cell, nothing; the per-layer dialogs then show the new member.
class TfrmTabelaMembro : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTabelaMembro(Contexto& ctx, QWidget* parent = nullptr);

    // Shows the window with the state's layers.
    void Abre();
    // Pastes spreadsheet rows (tab- or ';'-separated) from the current cell on
    // (below the last layer when no cell is chosen), adding rows as needed.
    void Cola(const QString& texto);

    QTableWidget* tbCamadas;
    QCheckBox* ckbFundacao;
    QPushButton* btnAcrescentar;
    QPushButton* btnDuplicar;
    QPushButton* btnApagar;
    QPushButton* btnOk;
    QPushButton* btnCancelar;

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void Preenche();
    void PoeLinha(int linha, const TabelaMembro::Linha& valores, int origem);
    TabelaMembro::Linha LeLinha(int linha) const;
    void Acrescenta();
    void Duplica();
    void Apaga();
    void Ok();
    void Numera();
    // A user's edit of an Agregado cell fills its row's specific heat and dilation.
    void AgregadoEditado(QTableWidgetItem* item);
    bool preenchendo_ = false;  // the window itself writing cells

    // The member as the grid was filled from it: a dialog that changed it since
    // would be overwritten unseen.
    std::vector<TabelaMembro::Linha> lido_;
    bool fundacaoLida_ = false;
    std::vector<TabelaMembro::Linha> LinhasDoEstado() const;

    Contexto& ctx_;
};
