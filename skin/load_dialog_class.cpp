#include "skin/load_dialog_class.h"

#include "skin/load_dialog_window.h"

namespace {
int registrations = 0;
}

bool LoadDialogClass::Register() {
  if (registrations > 0) return false;
  ++registrations;
  return true;
}

bool LoadDialogClass::IsRegistered() { return registrations > 0; }

int LoadDialogClass::RegistrationCount() { return registrations; }

QWidget* LoadDialogClass::CreateWindow(QWidget* parent) {
  if (!IsRegistered()) return nullptr;
  return new LoadDialogWindow(parent);
}
