#include "core/ui/TrabalhoEmFundo.h"

#include <exception>
#include <new>

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

void TrabalhoEmFundo::Cancela() {
    if (Rodando()) cancela_ = true;
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
