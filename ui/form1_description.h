#pragma once

#include "ui/form_description.h"

// The calculator window as designed: its caption, size, font and controls.
extern const FormDescription kForm1Description;
