#pragma once
// An empty multiple-document frame the size of the triangle window. It is
// part of the program but nothing creates or shows it.

#include "runtime/form.h"

namespace dorvic {

class MDIForm1 : public rt::Form {
    Q_OBJECT
public:
    explicit MDIForm1(QWidget *parent = nullptr);
};

} // namespace dorvic
