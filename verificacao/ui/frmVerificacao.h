#pragma once
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>
#include <memory>
#include <string>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"

class QThread;

// "Verificação": the current problem run again with twice the elements per layer, with
// the time step refined and in the other formulation, and the energy balance of its run,
// as a text report. The runs go on in the background on
// a copy of the problem; the report replaces "Calculando…" when they end.
class TfrmVerificacao : public QWidget, public JanelaAbre {
    Q_OBJECT
public:
    explicit TfrmVerificacao(Contexto& ctx, QWidget* parent = nullptr);
    ~TfrmVerificacao() override;

    // Shows the window and starts the verification; without a complete thermal run it
    // says so and stays closed. Ignored while a verification is running.
    void Abre() override;
    bool Calculando() const { return thread_ != nullptr; }
    // "Salvar Relatório": the save dialog, then the text file (Windows-1252, CR LF).
    void SalvarRelatorio();
    // Waits for a running verification and shows its report (tests).
    void Espera();
    // A new run or problem: the report goes, the window hides, and a verification still
    // running is shown to nobody.
    void Descarta();

    QLabel* lblSituacao;
    QPlainTextEdit* memRelatorio;

signals:
    void Concluida();

private:
    void Termina();

    Contexto& ctx_;
    QThread* thread_ = nullptr;
    // What the background run writes; the window reads it only once the run ended.
    struct Saida {
        std::string relatorio;
        std::string erro;
    };
    std::shared_ptr<Saida> saida_;
    std::string relatorio_;  // the report shown
    bool descartada_ = false;
    unsigned geracao_ = 0;  // of the run whose end Termina takes
};
