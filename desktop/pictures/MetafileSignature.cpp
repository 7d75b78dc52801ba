#include "desktop/pictures/MetafileSignature.h"

#include <QtEndian>

namespace Pictures {

namespace {

quint16 word(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

} // namespace

bool looksLikeMetafile(QByteArrayView head)
{
    if (head.size() < MetafileSignatureSize)
        return false;
    if (qFromLittleEndian<quint32>(head.data()) == 0x9AC6CDD7u)
        return true;
    const quint16 type = word(head, 0);
    const quint16 headerWords = word(head, 2);
    const quint16 version = word(head, 4);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

} // namespace Pictures
