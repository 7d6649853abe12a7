#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG pictures of the program's resources, decoded with libjpeg. A picture that
// is not JPEG, is cut short or is otherwise damaged raises ErroEntrada with
// libjpeg's own description; nothing half-decoded is returned.
namespace ImagemJpeg {

QImage Decodifica(const QByteArray& bytes);
// Reads a file or a resource (":/app/apresentacao.jpg") and decodes it.
QImage Carrega(const QString& caminho);

}  // namespace ImagemJpeg
