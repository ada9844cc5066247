#pragma once

#include "controlrequest.h"

#include <QIODevice>
#include <optional>

// Commands and answers on the running instance's control pipe: a request is its D-Bus method's
// name and arguments, an answer the reply's fields, each written with QDataStream.

// The pipe's name, beside the show request's, and like it open only to this user.
QString controlPipeName();

void writeRequest(QIODevice& pipe, const ControlRequest& request);
// Nothing while the request has not all arrived. A method this version does not know is named
// in `unknown` (the request is then none of the program's).
std::optional<ControlRequest> readRequest(QIODevice& pipe, QString* unknown);
void writeReply(QIODevice& pipe, const ControlReply& reply);
std::optional<ControlReply> readReply(QIODevice& pipe);
