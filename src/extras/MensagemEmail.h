#pragma once
// One outgoing message as the e-mail window composes it: the recipient keeps the "smtp:" address
// type of the mail interface it was designed for, the subject and the text each end in one
// blank, and the picture quorvel.bmp of the application folder follows the text.
#include <QString>

struct MensagemEmail {
    QString destinatario; // "smtp:" + the address without outer blanks
    QString assunto;      // the subject without outer blanks, then one blank
    QString texto;        // the body as typed, then one blank
    QString anexo;        // full path of the attached picture; none when empty

    static MensagemEmail compoe(const QString &endereco, const QString &assunto,
                                const QString &texto, const QString &anexo);

    // The address the server is given: the recipient without its "smtp:" type.
    QString enderecoEnvelope() const;
};

// The attached picture's name in the application folder.
inline const QString NomeAnexoEmail = QStringLiteral("quorvel.bmp");

// An address that may go into the SMTP dialogue and a header line: no blanks, no control
// characters (a line break would start a header of its own), no angle brackets, one "@" with a
// name before it and a domain with a dot after it.
bool enderecoValido(const QString &endereco);
