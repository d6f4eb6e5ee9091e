#include "app/project/filenumber.h"

#include "app/tables/numberformat.h"

QByteArray fileNumberText(double value) {
    return TNumberFormat::general(value, TNumberFormat::kFileDigits).toLatin1();
}
