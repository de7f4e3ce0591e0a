package net.cubeworks.world.game.player;

import java.util.List;
import java.util.function.IntSupplier;

import org.bukkit.event.entity.EntityDamageEvent.DamageCause;

import net.cubeworks.world.game.block.Explosions;
import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.ExperienceOrb;
import net.cubeworks.world.game.entity.ItemEntity;
import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.game.entity.Sight;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.mob.Mob;
import net.cubeworks.world.game.mob.MobKind;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * What an explosion does to the things near it, as the game does: each within twice the power of
 * the centre is hurt by its distance and by how much of it the centre sees, ((impact^2 + impact)
 * / 2) * 8 * power + 1, and pushed away from the centre (toward its eyes) by the impact; players,
 * mobs, items and experience orbs alike. A player's push comes with the Explosion packet he is
 * sent (every player within 64 blocks sees the blast); a mob's and an item's are shown by their
 * velocity. Items and orbs have 5 health: a near blast destroys them (never a nether star).
 */
public final class ExplosionHits {
    private static final int NETHER_STAR = 399;

    private final Players players;
    private final Entities entities;
    private final GameHost host;
    private final IntSupplier difficulty;
    private final Damage harm;
    private final Visibility shown;

    public ExplosionHits(Players players, Entities entities, GameHost host,
            IntSupplier difficulty, Damage harm, Visibility shown) {
        this.players = players;
        this.entities = entities;
        this.host = host;
        this.difficulty = difficulty;
        this.harm = harm;
        this.shown = shown;
    }

    /** How a blast treats players: the cause, whether a mob's blast is scaled by the difficulty, who set it off. */
    public static final class Treatment {
        final DamageCause cause;
        final String by;
        final boolean spareCreative;

        Treatment(DamageCause cause, String by, boolean spareCreative) {
            this.cause = cause;
            this.by = by;
            this.spareCreative = spareCreative;
        }
    }

    void hit(org.bukkit.entity.Entity source, double x, double y, double z, float power,
            Sight.Blocks blocks, List<int[]> offsets, Treatment how) {
        double reach = power * 2.0;
        byte[] far = null;
        for (OnlinePlayer p : players.inJoinOrder()) {
            double distance = distance(p, x, y, z);
            double[] push = !p.dead && distance <= reach ? push(p, PlayerBody.EYE_HEIGHT, x, y, z, reach, blocks) : null;
            if (distance <= 64) {
                if (push == null) {
                    far = far != null ? far
                            : PlayPackets.explosion((float) x, (float) y, (float) z, power, offsets, 0f, 0f, 0f).frame();
                    p.connection().sendFrame(far);
                } else {
                    p.connection().send(PlayPackets.explosion((float) x, (float) y, (float) z, power, offsets,
                            (float) push[0], (float) push[1], (float) push[2]));
                }
            }
            if (push != null && !(how.spareCreative && p.getGameMode() == org.bukkit.GameMode.CREATIVE)) {
                float damage = Explosions.damage(push[3], power);
                if (how.by != null) {
                    damage = MobKind.scaledForDifficulty(damage, difficulty.getAsInt());
                }
                damage = PlayerEvents.worldDamage(host, p, how.cause, damage);
                harm.damage(p, damage, how.by != null ? p.getName() + " was blown up by " + how.by
                        : p.getName() + " blew up");
            }
        }
        for (WorldEntity e : entities.all()) {
            if (e == source || e.isRemoved() || e instanceof OnlinePlayer || distance(e, x, y, z) > reach) {
                continue;
            }
            if (e instanceof Mob && !((Mob) e).dead) {
                Mob m = (Mob) e;
                double[] push = push(m, m.kind.height * 0.85, x, y, z, reach, blocks);
                m.hurt(Explosions.damage(push[3], power), source, how.cause);
                shove(m, push);
            } else if (e instanceof ItemEntity || e instanceof ExperienceOrb) {
                double[] push = push(e, 0, x, y, z, reach, blocks);
                float damage = Explosions.damage(push[3], power);
                if (e instanceof ItemEntity) {
                    ItemEntity item = (ItemEntity) e;
                    if (item.itemId() != NETHER_STAR && (item.health -= (short) damage) <= 0) {
                        item.markRemoved();
                        continue;
                    }
                } else if ((((ExperienceOrb) e).health -= (short) damage) <= 0) {
                    e.markRemoved();
                    continue;
                }
                shove(e, push);
            }
        }
    }

    private static double distance(WorldEntity e, double x, double y, double z) {
        double dx = e.x - x;
        double dy = e.y - y;
        double dz = e.z - z;
        return Math.sqrt(dx * dx + dy * dy + dz * dz);
    }

    /** The push {x, y, z} away from the centre toward the thing's eyes, and the blast's impact on it. */
    static double[] push(WorldEntity e, double eyes, double x, double y, double z, double reach, Sight.Blocks blocks) {
        double dx = e.x - x;
        double dy = e.y + eyes - y;
        double dz = e.z - z;
        double len = Math.sqrt(dx * dx + dy * dy + dz * dz);
        double impact = (1 - distance(e, x, y, z) / reach) * Explosions.exposure(blocks, x, y, z, e.x, e.y, e.z);
        if (len == 0) {
            return new double[] {0, 0, 0, impact};
        }
        return new double[] {dx / len * impact, dy / len * impact, dz / len * impact, impact};
    }

    private void shove(WorldEntity e, double[] push) {
        e.motionX += push[0];
        e.motionY += push[1];
        e.motionZ += push[2];
        e.onGround = false;
        shown.toViewers(e, PlayPackets.entityVelocity(e.getEntityId(), e.motionX, e.motionY, e.motionZ));
    }
}
