#include "skin/load_dialog.h"

#include "skin/load_dialog_class.h"

LoadDialog::LoadDialog() {
  GfxStartup(&startupToken_);
  FreeIdentifier();
  frameDimension_ = new QUuid(QUuid::fromString(QLatin1StringView(kTimeFrameDimensionText)));
  LoadDialogClass::Register();  // a second registration is refused; that refusal is expected
}

LoadDialog::~LoadDialog() { FreeIdentifier(); }

void LoadDialog::FreeIdentifier() {
  delete frameDimension_;
  frameDimension_ = nullptr;
}
