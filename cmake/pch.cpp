// Anchor of the shared precompiled headers.
