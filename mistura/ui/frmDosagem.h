#pragma once
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/DadosMistura.h"
#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"

// "Dosagem - Calor Interno": the concrete of one layer as it is mixed (its cement,
// the additions, the binder content and the water–binder ratio), and the heat
// parameters of the maturity model that the published models give for it, with a
// warning for every input outside the range they were fitted to. "Ok" keeps the mix
// with the layer and writes the parameters into its maturity heat, as one change of
// the history.
class TfrmDosagem : public QWidget, public JanelaCamada {
    Q_OBJECT
public:
    explicit TfrmDosagem(Contexto& ctx, QWidget* parent = nullptr);
    void Abre(int camada, QWidget* chamador, std::function<void()> confirmado) override;

    // Where the user's cements are kept: this folder when set, otherwise the folder of
    // the project, otherwise the user's documents.
    QString pastaBiblioteca;
    QString CaminhoBiblioteca() const;

    QLabel* lbCamada;
    QComboBox* cbCimento;
    QLabel* lbFonte;
    QLineEdit* edNomeCimento;
    QLineEdit* edC3S;
    QLineEdit* edC2S;
    QLineEdit* edC3A;
    QLineEdit* edC4AF;
    QLineEdit* edSO3;
    QLineEdit* edCaOLivre;
    QLineEdit* edMgO;
    QLineEdit* edBlaine;
    QLineEdit* edEscoriaCimento;
    QLineEdit* edPozolanaCimento;
    QLineEdit* edCaOPozolanaCimento;
    QLineEdit* edFilerCimento;
    QPushButton* btnSalvarCimento;
    QLineEdit* edEscoria;
    QLineEdit* edPozolana;
    QLineEdit* edCaOPozolana;
    QLineEdit* edSilica;
    QLineEdit* edFiler;
    QLineEdit* edAglomerante;
    QLineEdit* edAguaAglomerante;
    QPushButton* btnCalcular;
    QLabel* lbResultado;
    QLabel* lbAvisos;
    QPushButton* btnOk;
    QPushButton* btnCancelar;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void PreencheCimentos(const QString& escolhido);
    void EscolheCimento(int indice);
    void MostraCimento(const TCimento& c);
    void Mostra(const TDosagem& d);
    // The fields as a mix; the first field that does not convert raises.
    TDosagem Le() const;
    // Computes and shows the parameters and the warnings; raises for a mix the model
    // cannot take.
    void Calcula();
    void SalvaCimento();
    void Ok();

    Contexto& ctx_;
    int camada_ = 1;
    QPointer<QWidget> chamador_;
    std::function<void()> confirmado_;
    std::vector<TCimento> biblioteca_;
};
