#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"
#include "obra/ClimaHorario.h"

// The third choice of the ambient, "Arquivo Horário", in the boundary-conditions
// dialog: the file read (ours or a station's), the local date and hour of the
// analysis clock's hour 0 for a station file, the absorptivity of the top face and
// its long-wave exchange with the sky (which also works without a file).
// What is read waits here and goes to the state only at the dialog's "Ok".
class TGrupoClimaHorario : public QGroupBox, public GrupoClima {
    Q_OBJECT
public:
    explicit TGrupoClimaHorario(Contexto& ctx, QWidget* parent = nullptr);

    // The fields and the read weather as the state holds them.
    void MostraEstado() override;
    // At "Ok": the choice, the weather read and the absorptivity into the state.
    // ErroEntrada (nothing stored) when the box is ticked and no file was read.
    void Grava(TDadosModelo& dados) override;
    QWidget* Grupo() override { return this; }
    void AoEscolher(std::function<void(bool arquivo)> f) override {
        connect(this, &TGrupoClimaHorario::escolhido, this, std::move(f));
    }

    QCheckBox* chkArquivoHorario;
    QPushButton* btnLerClima;
    QLabel* lbClima;
    QLineEdit* edDataInicio;
    QLineEdit* edHoraInicio;
    QLineEdit* edFuso;
    QLineEdit* edAbsortividade;
    QCheckBox* chkCeu;
    QLineEdit* edEmissividade;

signals:
    void escolhido(bool arquivo);

private:
    void LeArquivo();
    void MostraOrigem(const std::string& origem);

    Contexto& ctx_;
    std::optional<TClimaHorario> lido_;
};
