#include "core/ui/ImagemJpeg.h"

#include <QFile>
#include <csetjmp>
#include <memory>
#include <cstdio>
#include <jpeglib.h>
#include <string>

#include "core/Erros.h"

namespace {

struct ErroJpeg {
    jpeg_error_mgr pub;  // first member: libjpeg hands back a pointer to it
    std::jmp_buf salto;
    char mensagem[JMSG_LENGTH_MAX];
};

// libjpeg's default ends the process; we jump back and report instead.
[[noreturn]] void SaidaErro(j_common_ptr cinfo) {
    auto* e = reinterpret_cast<ErroJpeg*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, e->mensagem);
    std::longjmp(e->salto, 1);
}

// Corrupt data only warns (and decoding fills grey): count it so it is reported.
void Aviso(j_common_ptr cinfo, int nivel) {
    auto* e = reinterpret_cast<ErroJpeg*>(cinfo->err);
    if (nivel < 0) {
        if (e->pub.num_warnings == 0) (*cinfo->err->format_message)(cinfo, e->mensagem);
        ++e->pub.num_warnings;
    }
}

// Everything libjpeg touches between setjmp and longjmp lives here, not in locals
// of the function that calls setjmp.
struct Decodificacao {
    jpeg_decompress_struct cinfo{};
    ErroJpeg erro{};
    QImage imagem;
};

bool DecodificaProtegido(Decodificacao& d, const QByteArray& bytes) {
    d.cinfo.err = jpeg_std_error(&d.erro.pub);
    d.erro.pub.error_exit = SaidaErro;
    d.erro.pub.emit_message = Aviso;
    d.erro.mensagem[0] = '\0';
    if (setjmp(d.erro.salto)) {
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    jpeg_create_decompress(&d.cinfo);
    jpeg_mem_src(&d.cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.cinfo, TRUE);
    d.cinfo.out_color_space = JCS_EXT_BGRA;  // the byte order of QImage::Format_RGB32
    jpeg_start_decompress(&d.cinfo);
    d.imagem = QImage(static_cast<int>(d.cinfo.output_width), static_cast<int>(d.cinfo.output_height),
                      QImage::Format_RGB32);
    if (d.imagem.isNull()) {
        jpeg_destroy_decompress(&d.cinfo);
        std::snprintf(d.erro.mensagem, sizeof d.erro.mensagem, "imagem grande demais");
        return false;
    }
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW linha = d.imagem.scanLine(static_cast<int>(d.cinfo.output_scanline));
        jpeg_read_scanlines(&d.cinfo, &linha, 1);
    }
    jpeg_finish_decompress(&d.cinfo);
    jpeg_destroy_decompress(&d.cinfo);
    return true;
}

}  // namespace

namespace ImagemJpeg {

QImage Decodifica(const QByteArray& bytes) {
    auto d = std::make_unique<Decodificacao>();
    const bool ok = DecodificaProtegido(*d, bytes);
    if (!ok || d->erro.pub.num_warnings > 0)
        throw ErroEntrada("Imagem JPEG danificada: " + std::string(d->erro.mensagem));
    return std::move(d->imagem);
}

QImage Carrega(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        throw ErroEntrada("Não foi possível ler a imagem " + caminho.toStdString() + ".");
    try {
        return Decodifica(arquivo.readAll());
    } catch (const ErroEntrada& e) {
        throw ErroEntrada(std::string(e.what()) + " (" + caminho.toStdString() + ")");
    }
}

}  // namespace ImagemJpeg
