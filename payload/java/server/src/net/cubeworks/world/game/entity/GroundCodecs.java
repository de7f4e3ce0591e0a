package net.cubeworks.world.game.entity;

import java.util.Map;

/**
 * How the things on the ground are kept in their column: items as "Item" and experience orbs as
 * "XPOrb", with the game's tags; read back, each joins the world's items or orbs.
 */
final class GroundCodecs {
    private GroundCodecs() {
    }

    /** Registers both kinds' reader and writer; what is read goes to the ground's items or orbs. */
    static void register(EntityCodecs codecs, final GroundItems ground, final GroundOrbs orbs) {
        codecs.register("Item", ItemEntity.class, new EntityCodecs.Reader() {
            public WorldEntity read(Map<String, Object> entry) {
                return ground.readItem(entry);
            }
        }, new EntityCodecs.Writer<ItemEntity>() {
            public void write(ItemEntity item, Map<String, Object> entry) {
                ItemEntities.write(item, entry);
            }
        });
        codecs.register("XPOrb", ExperienceOrb.class, new EntityCodecs.Reader() {
            public WorldEntity read(Map<String, Object> entry) {
                return orbs.read(entry);
            }
        }, new EntityCodecs.Writer<ExperienceOrb>() {
            public void write(ExperienceOrb orb, Map<String, Object> entry) {
                GroundOrbs.write(orb, entry);
            }
        });
    }
}
