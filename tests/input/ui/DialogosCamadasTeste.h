#pragma once
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// GCC 12 sees the scripted optional paths as maybe uninitialized once inlined here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include "FalsosQt.h"
#pragma GCC diagnostic pop
#include "app/ui/Aplicacao.h"

// The whole program with scripted message boxes and file dialogs, for driving the
// per-layer dialogs as a user would.
class DialogosCamadas : public ::testing::Test {
protected:
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app{msg, arquivos};
    TDadosModelo& d = app.dados();
    Janelas& j = app.janelas();

    template <class W>
    static W* Filho(QWidget* janela, const char* nome) {
        W* w = janela->findChild<W*>(QString::fromLatin1(nome));
        EXPECT_NE(w, nullptr) << nome;
        return w;
    }
    static QLineEdit* Campo(QWidget* janela, const char* nome) { return Filho<QLineEdit>(janela, nome); }
    static QString Texto(QWidget* janela, const char* nome) {
        if (auto* l = janela->findChild<QLabel*>(QString::fromLatin1(nome))) return l->text();
        return Campo(janela, nome)->text();
    }
    static void Digita(QWidget* janela, const char* nome, const QString& texto) {
        Campo(janela, nome)->setText(texto);
    }
    static void Clica(QWidget* janela, const char* nome) {
        QTest::mouseClick(Filho<QAbstractButton>(janela, nome), Qt::LeftButton);
    }
    // Clicks a check box on its indicator, where a user clicks.
    static void Marca(QAbstractButton* caixa) {
        QTest::mouseClick(caixa, Qt::LeftButton, {}, QPoint(6, caixa->height() / 2));
    }
    // Scripted answers for the next confirmations.
    void Responde(std::initializer_list<bool> respostas) {
        msg.respostas.insert(msg.respostas.end(), respostas.begin(), respostas.end());
    }
};
