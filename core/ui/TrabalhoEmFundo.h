#pragma once
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

// A long computation of a window (a study's cases) on a thread of its own. The window
// stays responsive: the computation reads the cancel flag and counts what it finished;
// a timer reports that count and, once, the end, both on the window's thread. Going
// with its window, it cancels the computation and waits for it.
class TrabalhoEmFundo : public QObject {
    Q_OBJECT
public:
    // What runs on the thread: it stops soon after `cancela` is set and adds to `feitos`.
    using Tarefa = std::function<void(std::atomic<bool>& cancela, std::atomic<long long>& feitos)>;

    explicit TrabalhoEmFundo(QObject* dono);
    ~TrabalhoEmFundo() override;

    // The window's controls of the run, kept in step with it: "Rodar" off and
    // "Cancelar" on while it runs, the bar counting to the total, the situation line.
    struct Controles {
        QPushButton* Rodar = nullptr;
        QPushButton* Cancelar = nullptr;
        QProgressBar* Barra = nullptr;
        QLabel* Situacao = nullptr;
    };
    void Liga(Controles c) { controles_ = c; }

    // Starts `tarefa` unless one is running (false then). `progresso(feitos)` every tenth
    // of a second and `fim(erro)` once at the end (the message of what the computation
    // raised, empty when it ended), both on the window's thread.
    bool Inicia(Tarefa tarefa, std::function<void(long long feitos)> progresso,
                std::function<void(const std::string& erro)> fim);
    // The same with the controls: `total` for the bar, `rodando` for the situation line;
    // an error also clears that line (the window says it). `fim` as above.
    bool Inicia(Tarefa tarefa, long long total, const QString& rodando, std::function<void(const std::string& erro)> fim);
    // Asks the computation to stop; its end still comes through `fim`.
    void Cancela();
    bool Rodando() const { return linha_.joinable(); }

private:
    void Acompanha();

    QTimer timer_;
    std::thread linha_;
    std::atomic<bool> cancela_{false};
    std::atomic<long long> feitos_{0};
    std::atomic<bool> pronto_{false};
    std::string erro_;
    std::function<void(long long)> progresso_;
    std::function<void(const std::string&)> fim_;
    Controles controles_;
};
