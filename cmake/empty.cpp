// Placeholder so a subsystem library without sources yet still builds.
