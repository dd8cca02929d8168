#pragma once

#include <QString>
#include <stdexcept>

// The one error of file input and output: the file and the system's reason
// ("File not found", "Read beyond end of file", ...). Thrown by the record
// files, caught once at the event-loop level and shown to the player.
class IoError : public std::runtime_error {
  public:
    IoError(QString fileName, QString reason);

    const QString& fileName() const { return fileName_; }
    const QString& reason() const { return reason_; }
    // "cpos.vlr: Read beyond end of file"
    QString message() const;

  private:
    QString fileName_;
    QString reason_;
};
