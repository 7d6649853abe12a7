// A window's computation on its own thread: the end reported once on the window's
// thread, with what the computation raised; a second start refused while it runs;
// cancelled and waited for when it goes with its window.
#include "core/ui/TrabalhoEmFundo.h"

#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

// Works until cancelled, counting.
void AteCancelar(std::atomic<bool>& cancela, std::atomic<long long>& feitos) {
    while (!cancela) {
        ++feitos;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

TEST(TrabalhoEmFundo, FimUmaVezComOErroDaTarefa) {
    struct Caso {
        const char* nome;
        TrabalhoEmFundo::Tarefa tarefa;
        std::string erro;
    };
    const Caso casos[] = {
        {"Termina", [](std::atomic<bool>&, std::atomic<long long>& f) { f = 7; }, ""},
        {"Lanca", [](std::atomic<bool>&, std::atomic<long long>&) { throw std::runtime_error("o caso 3 falhou"); },
         "o caso 3 falhou"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        QObject dono;
        TrabalhoEmFundo t(&dono);
        int fins = 0;
        long long ultimo = -1;
        std::string erro = "nada";
        ASSERT_TRUE(t.Inicia(c.tarefa, [&](long long n) { ultimo = n; }, [&](const std::string& e) {
            ++fins;
            erro = e;
        }));
        ASSERT_TRUE(QTest::qWaitFor([&] { return fins > 0; }, 5000));
        QTest::qWait(250);
        EXPECT_EQ(fins, 1);
        EXPECT_EQ(erro, c.erro);
        EXPECT_FALSE(t.Rodando());
        if (c.erro.empty()) {
            EXPECT_EQ(ultimo, 7);
        }
    }
}

TEST(TrabalhoEmFundo, CancelarEDarOutroInicio) {
    QObject dono;
    TrabalhoEmFundo t(&dono);
    bool fim = false;
    ASSERT_TRUE(t.Inicia(AteCancelar, {}, [&](const std::string&) { fim = true; }));
    EXPECT_FALSE(t.Inicia(AteCancelar, {}, {}));
    t.Cancela();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fim; }, 5000));
    EXPECT_TRUE(t.Inicia([](std::atomic<bool>&, std::atomic<long long>&) {}, {}, {}));
}

// The window closes mid-run: nothing is called on it, and the thread is gone.
TEST(TrabalhoEmFundo, IrComAJanelaCancelaEEspera) {
    bool chamado = false;
    auto dono = std::make_unique<QObject>();
    auto* t = new TrabalhoEmFundo(dono.get());
    ASSERT_TRUE(t->Inicia(AteCancelar, [&](long long) { chamado = true; }, [&](const std::string&) { chamado = true; }));
    dono.reset();
    QTest::qWait(250);
    EXPECT_FALSE(chamado);
}

}  // namespace
