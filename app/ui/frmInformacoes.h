#pragma once
#include <QPushButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Informações do Programa": name, purpose, developer and versions; borderless,
// shown from "Info" → "Sobre o Norvik-1D" and hidden by "Fechar".
class TfrmInformacoes : public QWidget {
    Q_OBJECT
public:
    explicit TfrmInformacoes(Contexto& ctx, QWidget* parent = nullptr);

    QPushButton* btnFechar;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void btnFecharClick();

    Contexto& ctx_;
};
