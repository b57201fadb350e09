#ifndef WOXCORETYPES_H
#define WOXCORETYPES_H

// Registers the fourteen report types with the meta-type system so that they can travel
// from the worker thread to the GUI thread as queued signal arguments. Safe to call again.
void woxRegisterCoreTypes();

#endif // WOXCORETYPES_H
