package org.bukkit.entity;

public interface Skeleton extends Monster {
    Skeleton.SkeletonType getSkeletonType();
    void setSkeletonType(Skeleton.SkeletonType skeletonType);

    /** A plain skeleton or a wither skeleton. */
    enum SkeletonType {
        NORMAL(0), WITHER(1);

        private final int id;

        SkeletonType(int id) {
            this.id = id;
        }

        @Deprecated
        public int getId() {
            return id;
        }

        /** The kind with that number, or null. */
        @Deprecated
        public static SkeletonType getType(int id) {
            for (SkeletonType t : values()) {
                if (t.id == id) {
                    return t;
                }
            }
            return null;
        }
    }
}
