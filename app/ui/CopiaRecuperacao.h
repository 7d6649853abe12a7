#pragma once
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <string>
#include <vector>

// The recovery copy of a problem with unsaved changes: the project text and the file it
// came from, in a folder of the user's data. Each program writes its own copy,
// recuperacao-<pid>.json, and holds recuperacao-<pid>.lock while it lives, so two
// programs open at once never touch each other's copy; a copy whose lock nobody holds
// was left by a program that did not end cleanly. The copy is written atomically (and
// flushed to the disk: at most one write per confirmed change or per minute).
class CopiaRecuperacao {
public:
    // A copy left behind.
    struct Orfa {
        QString arquivo;      // the copy
        QString origem;       // the project's file; empty for a problem never saved
        QDateTime gravada;    // when the copy was written
        std::string projeto;  // the project text, as Projeto::Conteudo wrote it
    };

    // Takes this program's lock in `pasta` (created when missing). Without a folder or a
    // lock there is no copy: Grava does nothing. A copy already under this program's
    // name (an earlier program of the same id that died) is moved aside and offered. `nome` replaces the name made of the
    // machine and the process (tests play two programs in one process).
    explicit CopiaRecuperacao(const QString& pasta, const QString& nome = {});
    // Leaves the copy where it is, as a crash would, and frees the lock.
    ~CopiaRecuperacao();
    CopiaRecuperacao(const CopiaRecuperacao&) = delete;
    CopiaRecuperacao& operator=(const CopiaRecuperacao&) = delete;

    // Writes the copy when `projeto` differs from the one written last. A failure of the
    // disk keeps the earlier copy and is not the user's business while editing.
    void Grava(const std::string& projeto, const QString& origem);
    // The problem was saved or the program ends cleanly.
    void Remove();

    // Copies of programs that ended without removing theirs, newest first. Each one
    // returned stays locked by this program until Descarta or the end of this object.
    std::vector<Orfa> Orfas();
    // Removes a copy left behind and frees its lock.
    void Descarta(const Orfa& orfa);

    const QString& Arquivo() const { return arquivo_; }
    static constexpr const char* Prefixo = "recuperacao-";

private:
    QString pasta_;
    QString arquivo_;
    std::unique_ptr<QLockFile> trava_;
    std::vector<std::unique_ptr<QLockFile>> travasOrfas_;
    std::string escrito_;  // the project text of the copy on disk; empty: none
};
