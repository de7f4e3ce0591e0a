package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.Iterator;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Random;
import java.util.Set;

import net.cubeworks.world.game.event.ItemEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * The experience orbs on the ground: falling in the game's sizes, read back with their column,
 * drifting toward the nearest player within 8 blocks and taken by one they touch (one orb every 2
 * ticks a player), the plugins told of the points (PlayerExpChangeEvent).
 */
final class GroundOrbs {
    private final GroundItems ground;
    private final GameHost host;
    private final GroundItems.Viewers viewers;
    private final Random random;
    private final Set<ExperienceOrb> orbs = new LinkedHashSet<ExperienceOrb>();
    /** The tick each player (by entity id) last took an orb: one every 2 ticks. */
    private final Map<Integer, Long> lastOrb = new HashMap<Integer, Long>();
    private long ticks;

    GroundOrbs(GroundItems ground, GameHost host, GroundItems.Viewers viewers, Random random) {
        this.ground = ground;
        this.host = host;
        this.viewers = viewers;
        this.random = random;
    }

    /** An orb as kept with its column; null when it holds no points. */
    ExperienceOrb read(Map<String, Object> entry) {
        int value = EntityCodecs.number(entry.get("Value"), 0).intValue();
        if (value <= 0) {
            return null;
        }
        ExperienceOrb orb = new ExperienceOrb(ground, ground.entities.nextId(), EntityCodecs.uuid(entry), value);
        EntityCodecs.readCommon(entry, orb);
        orb.health = EntityCodecs.number(entry.get("Health"), 5).shortValue();
        orb.age = EntityCodecs.number(entry.get("Age"), 0).shortValue();
        orbs.add(orb);
        return orb;
    }

    /** The orb's own tags as kept with its column. */
    static void write(ExperienceOrb orb, Map<String, Object> entry) {
        entry.put("Health", orb.health);
        entry.put("Age", (short) orb.age);
        entry.put("Value", (short) Math.min(orb.value(), Short.MAX_VALUE));
    }

    /**
     * Experience falling at the place, as the game lets it fall: in orbs of its sizes (2477, 1237,
     * ..., 3, 1), the largest first, each with a push of its own.
     */
    void drop(double x, double y, double z, int amount) {
        while (amount > 0) {
            int value = ExperienceOrb.split(amount);
            amount -= value;
            ExperienceOrb orb = new ExperienceOrb(ground, ground.entities.nextId(), java.util.UUID.randomUUID(), value);
            orb.x = x;
            orb.y = y;
            orb.z = z;
            orb.yaw = random.nextFloat() * 360f;
            orb.motionX = (random.nextDouble() * 0.2 - 0.1) * 2;
            orb.motionY = random.nextDouble() * 0.2 * 2;
            orb.motionZ = (random.nextDouble() * 0.2 - 0.1) * 2;
            orb.sent.reset(orb, 0);
            ground.entities.add(orb);
            orbs.add(orb);
        }
    }

    /** Each tick: orbs drift toward the nearest player within 8 blocks; one that touches a player is his. */
    void tick(List<? extends Collector> players) {
        ticks++;
        if (orbs.isEmpty()) {
            return;
        }
        for (Iterator<ExperienceOrb> it = orbs.iterator(); it.hasNext();) {
            ExperienceOrb orb = it.next();
            if (orb.isRemoved()) {
                it.remove();
                continue;
            }
            Collector nearest = null;
            double best = ExperienceOrb.REACH * ExperienceOrb.REACH;
            for (Collector c : players) {
                if (!c.mayCollect()) {
                    continue;
                }
                WorldEntity b = c.body();
                double dx = b.x - orb.x;
                double dy = b.y + PlayerBody.EYE_HEIGHT - orb.y;
                double dz = b.z - orb.z;
                double d = dx * dx + dy * dy + dz * dz;
                if (d < best) {
                    best = d;
                    nearest = c;
                }
            }
            orb.target = nearest == null ? null : nearest.body();
            if (nearest == null) {
                continue;
            }
            WorldEntity b = nearest.body();
            boolean touches = Math.abs(orb.x - b.x) < 0.3 + 1.0 + 0.25 && Math.abs(orb.z - b.z) < 0.3 + 1.0 + 0.25
                    && orb.y + 0.25 > b.y - 0.5 && orb.y - 0.25 < b.y + 1.8 + 0.5;
            Long last = lastOrb.get(b.getEntityId());
            if (!touches || last != null && ticks - last < 2) {
                continue;
            }
            lastOrb.put(b.getEntityId(), ticks);
            int points = ItemEvents.expChange(host, nearest.player(), orb.value());
            PacketOut collect = PlayPackets.collectItem(orb.getEntityId(), b.getEntityId());
            viewers.toViewers(orb, collect);
            nearest.send(collect);
            float pitch = 0.5f * ((random.nextFloat() - random.nextFloat()) * 0.7f + 1.8f);
            viewers.near(b.x, b.y, b.z, 16, PlayPackets.namedSoundEffect("random.orb", b.x, b.y, b.z, 0.1f, pitch));
            orb.markRemoved();
            it.remove();
            if (points > 0) {
                nearest.player().giveExp(points);
            }
        }
        if (lastOrb.size() > 256) {
            lastOrb.clear();
        }
    }

    /** The orbs in the world. */
    List<ExperienceOrb> all() {
        List<ExperienceOrb> out = new ArrayList<ExperienceOrb>();
        for (ExperienceOrb orb : orbs) {
            if (!orb.isRemoved()) {
                out.add(orb);
            }
        }
        return out;
    }
}
