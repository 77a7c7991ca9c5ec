// Only there so that a folder's precompiled header has a target to belong to.
