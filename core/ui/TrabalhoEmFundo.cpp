#include "core/ui/TrabalhoEmFundo.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <exception>
#include <new>

namespace {
int Barra(long long n) { return static_cast<int>(std::min<long long>(n, 1 << 30)); }
}  // namespace

TrabalhoEmFundo::TrabalhoEmFundo(QObject* dono) : QObject(dono) {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, [this] { Acompanha(); });
}

TrabalhoEmFundo::~TrabalhoEmFundo() {
    timer_.stop();
    cancela_ = true;
    if (linha_.joinable()) linha_.join();
}

bool TrabalhoEmFundo::Inicia(Tarefa tarefa, std::function<void(long long)> progresso,
                             std::function<void(const std::string&)> fim) {
    if (Rodando()) return false;
    cancela_ = false;
    feitos_ = 0;
    pronto_ = false;
    erro_.clear();
    progresso_ = std::move(progresso);
    fim_ = std::move(fim);
    linha_ = std::thread([this, tarefa = std::move(tarefa)] {
        try {
            tarefa(cancela_, feitos_);
        } catch (const std::bad_alloc&) {
            erro_ = "memória insuficiente";
        } catch (const std::exception& e) {
            erro_ = e.what();
        }
        pronto_ = true;
    });
    timer_.start();
    return true;
}

bool TrabalhoEmFundo::Inicia(Tarefa tarefa, long long total, const QString& rodando,
                             std::function<void(const std::string&)> fim) {
    if (Rodando()) return false;
    const Controles c = controles_;
    if (c.Barra) {
        c.Barra->setRange(0, Barra(total));
        c.Barra->setValue(0);
    }
    if (c.Situacao) c.Situacao->setText(rodando);
    if (c.Rodar) c.Rodar->setEnabled(false);
    if (c.Cancelar) c.Cancelar->setEnabled(true);
    return Inicia(
        std::move(tarefa),
        [c](long long feitos) {
            if (c.Barra) c.Barra->setValue(Barra(feitos));
        },
        [c, fim = std::move(fim)](const std::string& erro) {
            if (c.Rodar) c.Rodar->setEnabled(true);
            if (c.Cancelar) c.Cancelar->setEnabled(false);
            if (!erro.empty() && c.Situacao) c.Situacao->setText(QString());
            if (fim) fim(erro);
        });
}

void TrabalhoEmFundo::Cancela() {
    if (!Rodando()) return;
    cancela_ = true;
    if (controles_.Situacao) controles_.Situacao->setText(QStringLiteral("Cancelando..."));
}

void TrabalhoEmFundo::Acompanha() {
    if (progresso_) progresso_(feitos_.load());
    if (!pronto_) return;
    timer_.stop();
    linha_.join();
    // Handed over before the call: the window may start another run from it.
    const auto fim = std::move(fim_);
    const std::string erro = std::move(erro_);
    if (fim) fim(erro);
}
