#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"
#include "core/ui/LacoCamadas.h"
#include "obra/DadosObra.h"

// "Proteções das Faces": per lift, the blankets, boards and forms of its top face
// with their resistance and the hours (after the lift's placement) at which they go
// on and come off; several rows make a staged removal. "Face inferior da pilha"
// edits instead those of the bottom of the stack (hours after layer 1's placement).
// Each layer shows its stored rows (a layer without a list, those of the layer
// below); "Ok" stores the rows of the layer shown and walks to the next, as the
// other per-layer dialogs do.
class TfrmProtecoes : public QWidget, public JanelaEstado {
    Q_OBJECT
public:
    explicit TfrmProtecoes(Contexto& ctx, QWidget* parent = nullptr);
    void Abre() override;
    // The rows of the layer shown (or of the bottom) as the state holds them.
    void MostraEstado() override;

    QLabel* lbCamada;
    QCheckBox* chkBase;
    QTableWidget* sgdProtecoes;
    QComboBox* cbxPredefinicoes;
    QPushButton* btnAcrescentar;
    QPushButton* btnRemover;
    QPushButton* btnOk;
    QPushButton* btnCancelar;

private:
    void Mostra(const std::vector<TProtecao>& lista);
    std::vector<TProtecao> Le() const;
    double RetiradaPadrao() const;
    void Ok();

    Contexto& ctx_;
    LacoCamadas laco_;
};
