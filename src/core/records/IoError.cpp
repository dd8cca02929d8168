#include "core/records/IoError.h"

IoError::IoError(QString fileName, QString reason)
    : std::runtime_error((fileName + QStringLiteral(": ") + reason).toStdString()),
      fileName_(std::move(fileName)),
      reason_(std::move(reason)) {}

QString IoError::message() const { return fileName_ + QStringLiteral(": ") + reason_; }
