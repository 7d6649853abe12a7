#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"
#include "estudos/AjusteRapido.h"

class QThread;
class TPainelGrafico;

// "Ajuste Rápido": sliders and fields for the levers of the plan the problem has; every
// change runs the problem with them on a thread of its own (a newer change cancels the
// older run, whose result is dropped) and shows the peak, the largest core-to-surface
// difference, the smallest cracking index, whether the limits are met and the curves of
// the hottest node and of the top. What it shows is never the problem's results;
// "Aplicar ao problema" writes the values as one change that "Desfazer" takes back.
class TfrmAjusteRapido : public QWidget, public JanelaAbre {
    Q_OBJECT
public:
    explicit TfrmAjusteRapido(Contexto& ctx, QWidget* parent = nullptr);
    ~TfrmAjusteRapido() override;

    void Abre() override;
    // Reads the levers again from the problem and runs it.
    void Recarrega();
    // Writes the values shown into the problem (false when there is nothing to write).
    bool Aplicar();
    // Back to the problem's own values.
    void Restaura();

    // The value of a lever (row of the study table) as the panel holds it.
    std::optional<double> Valor(int parametro) const;
    // Sets a lever as the user would with its field, and runs.
    void DefineValor(int parametro, double valor);
    // Whether a run is on its way; the last result shown, when any.
    bool Calculando() const { return emCurso_ > 0; }
    const std::optional<AjusteRapido::TResultado>& Resultado() const { return resultado_; }
    // Runs started and results dropped because a newer change came first.
    int Iniciadas() const { return geracao_; }
    int Descartadas() const { return descartadas_; }

    struct Linha {
        int Parametro = 0;
        QLabel* Rotulo = nullptr;
        QSlider* Barra = nullptr;
        QLineEdit* Campo = nullptr;
        AjusteRapido::TAlavanca Alavanca;
        double Valor = 0.0;
        bool Ativa = false;  // the problem has it: shown and run
    };
    // One per parameter the panel knows, shown only when the problem has it.
    std::vector<Linha> linhas;
    QLabel* lblTMaxima;
    QLabel* lblDiferenca;
    QLabel* lblIndice;
    QLabel* lblAtende;
    QLabel* lblSituacao;
    QPushButton* btnAplicar;
    QPushButton* btnRestaurar;
    TPainelGrafico* cCurvas;

private:
    Linha* LinhaDe(int parametro);
    void MoveBarra(Linha& l);
    void Dispara();
    void Mostra(const AjusteRapido::TResultado& r);
    void Limpa(const QString& situacao);

    Contexto& ctx_;
    std::shared_ptr<const TDadosModelo> problema_;  // the problem the levers were read from
    long revisao_ = -1;
    int geracao_ = 0;
    int descartadas_ = 0;
    int emCurso_ = 0;
    std::shared_ptr<std::atomic<bool>> cancela_;  // of the newest run
    std::vector<QThread*> threads_;
    std::optional<AjusteRapido::TResultado> resultado_;
};
