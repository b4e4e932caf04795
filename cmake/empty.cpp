// Keeps a library valid while its folders add their sources.
