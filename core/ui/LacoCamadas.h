#pragma once
#include <QHash>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <functional>

#include "core/ui/Mensagens.h"

// The layer counter that the per-layer dialogs walk (layers, initial conditions,
// curing, curve and table of the internal heat, maturity, protections), and what
// makes each of them a view of the stored problem:
// - the fields show the layer the counter names as it is stored (`preenche`),
//   whenever the counter moves: on opening, after a layer is confirmed, and when
//   the user goes straight to a layer with the selector or "Anterior"/"Próxima"
//   (which confirm nothing and write nothing);
// - a field whose text is still the one shown gives back the stored value itself,
//   so confirming a layer unchanged stores it bit for bit, whatever the unit
//   conversion between the typed and the stored value.
class LacoCamadas : public QObject {
    Q_OBJECT
public:
    // `contador` is a QLabel or a QLineEdit (anything with a "text" property).
    explicit LacoCamadas(QWidget* contador);

    // Fills the dialog's fields with layer n as stored. The dialog decides what a
    // layer never entered shows (the texts of the layer below, as they stand).
    std::function<void(int)> preenche;
    // The last layer the selector reaches (the stored member; at least 1).
    std::function<int()> ultima;

    // The row "Anterior" / selector / "Próxima", for the dialog's layout.
    QWidget* Navegacao() const { return navegacao_; }

    // The number shown (ErroConversao if the text is not a whole number).
    int Atual() const;
    // Shows n without touching the fields.
    void Mostra(int n);
    void Reinicia() { Mostra(1); }
    // Shows n and fills the fields with it.
    void VaiPara(int n);
    // Fills the fields again with the layer shown (after the problem changed).
    void Atualiza();

    // Layer n within the table of layers, so that no record beyond it is written;
    // ErroEntrada otherwise.
    static void VerificaCapacidade(int n);

    // The question that ends every pass.
    static bool ConfirmaPasso(Mensagens& msg);

    enum class Fim { Continua, Sim, Nao };
    // After layer n: the counter moves to n + 1 and shows it as stored; when that
    // passes the last layer (nCamadas) the pass ends: the counter shows
    // `mostradoNoFim` and the question is asked.
    Fim Avanca(int n, int nCamadas, int mostradoNoFim, Mensagens& msg);
    // Ends the pass: the counter shows `mostrado` and the question is asked.
    Fim Encerra(int mostrado, Mensagens& msg);

    // `campo` shows `texto`, the typed form of the stored `armazenado`.
    void Exibe(QLineEdit* campo, const QString& texto, double armazenado);
    // What `campo` stores: the stored value while the text is the one shown,
    // otherwise `armazena` of the typed value (Real, with its conversion error).
    double Valor(QLineEdit* campo, const std::function<double(double)>& armazena) const;
    double Valor(QLineEdit* campo) const;

    // "As camadas 3 e 4 serão removidas do membro. Confirmar?"
    static QString TextoRemocao(int primeira, int ultimaRemovida);

    QPushButton* btnAnterior;
    QSpinBox* spCamada;
    QPushButton* btnProxima;

private:
    void AjustaSeletor(int n);

    QWidget* contador_;
    QWidget* navegacao_;
    struct Mostrado {
        QString texto;
        double valor;
    };
    QHash<const QLineEdit*, Mostrado> mostrados_;
    bool ajustando_ = false;
};
