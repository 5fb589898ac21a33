// Every skinned component class, registered for form descriptions in one call.
#pragma once

// A static library drops registrations nobody references, so programs call this once at start.
void RegisterSkinComponents();
